#pragma once

#include <vector>

// The window's rounded shape on the system it was designed for: the union of four 16-pixel
// ellipses in the corners and two rectangles, so each corner is a quarter circle of radius 8.
// Rectangles are left, top, right, bottom with the right and bottom edges excluded.
struct ShapePart {
    enum class Kind { Ellipse, Rectangle };
    Kind kind;
    int left, top, right, bottom;
    bool operator==(const ShapePart&) const = default;
};

std::vector<ShapePart> RoundedWindowShape(int width, int height);

// The window maximises itself on a screen of exactly 800 x 600 and takes its rounded shape only
// on Windows 98 (the version value's top bit set and minor version 10) and only otherwise.
enum class WindowForm { Maximised, Rounded, Rectangular };
WindowForm ChooseWindowForm(int screenWidth, int screenHeight, bool windows98);
