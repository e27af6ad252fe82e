#include "ui/window_shape.h"

std::vector<ShapePart> RoundedWindowShape(int w, int h) {
    using K = ShapePart::Kind;
    return {
        {K::Ellipse, 0, 0, 16, 16},     {K::Ellipse, w - 16, 0, w, 16},
        {K::Ellipse, 0, h - 16, 16, h}, {K::Ellipse, w - 16, h - 16, w, h},
        {K::Rectangle, 7, 0, w - 7, h}, {K::Rectangle, 0, 7, w, h - 7},
    };
}

WindowForm ChooseWindowForm(int screenWidth, int screenHeight, bool windows98) {
    if (screenWidth == 800 && screenHeight == 600)
        return WindowForm::Maximised;
    return windows98 ? WindowForm::Rounded : WindowForm::Rectangular;
}
