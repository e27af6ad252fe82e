#pragma once

// Tiny media files of the disc's day for the tests, written byte by byte: a Flash movie of two
// colours (its stage and a rectangle over its top-left quarter), optionally following a link as
// its first frame plays, a Standard MIDI File of piano notes and a wave file of a plain tone.

#include <cstdint>
#include <string>
#include <vector>

namespace old_media_files {

struct Colour {
    std::uint8_t red, green, blue;
};

// Bits written from the most significant down, as SWF's records are; padded to a byte.
class BitWriter final {
public:
    void Unsigned(int bits, std::uint32_t value) {
        for (int i = bits - 1; i >= 0; --i)
            m_bits.push_back((value >> i) & 1);
    }
    void Signed(int bits, std::int32_t value) {
        Unsigned(bits, static_cast<std::uint32_t>(value) & ((1u << bits) - 1));
    }
    std::string Bytes() const {
        std::string bytes((m_bits.size() + 7) / 8, '\0');
        for (std::size_t i = 0; i < m_bits.size(); ++i)
            if (m_bits[i])
                bytes[i / 8] = static_cast<char>(bytes[i / 8] | (0x80 >> (i % 8)));
        return bytes;
    }

private:
    std::vector<bool> m_bits;
};

inline std::string U16(unsigned value) {
    return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8 & 0xFF)};
}
inline std::string U32(std::uint32_t value) {
    return U16(value & 0xFFFF) + U16(value >> 16);
}

// A rectangle in twips, with 16 bits a field.
inline std::string Rect(int x0, int x1, int y0, int y1) {
    BitWriter bits;
    bits.Unsigned(5, 16);
    for (const int value : {x0, x1, y0, y1})
        bits.Signed(16, value);
    return bits.Bytes();
}

inline std::string Tag(unsigned code, const std::string& body) {
    if (body.size() < 63)
        return U16(code << 6 | static_cast<unsigned>(body.size())) + body;
    return U16(code << 6 | 0x3F) + U32(static_cast<std::uint32_t>(body.size())) + body;
}

inline std::string Rgb(Colour colour) {
    return {static_cast<char>(colour.red), static_cast<char>(colour.green),
            static_cast<char>(colour.blue)};
}

// An uncompressed SWF 6 movie of `width` × `height` pixels at 12 frames a second: the stage in
// `stage`, a rectangle of `shape` over its top-left quarter; its one frame follows `url` into
// `target` (getURL) first when `url` is given.
inline std::string FlashMovie(int width, int height, Colour stage, Colour shape,
                              const std::string& url = {}, const std::string& target = {}) {
    const int w = width * 20, h = height * 20; // twips
    // DefineShape: one solid fill, no line; a closed path round the quarter.
    BitWriter path;
    path.Unsigned(4, 1); // fill index bits
    path.Unsigned(4, 0); // line index bits
    // A style change: fill style 1, move to (0, 0).
    path.Unsigned(6, 0b000101);
    path.Unsigned(5, 16);
    path.Signed(16, 0);
    path.Signed(16, 0);
    path.Unsigned(1, 1);
    for (const auto& [dx, dy] : {std::pair{w / 2, 0}, {0, h / 2}, {-w / 2, 0}, {0, -h / 2}}) {
        path.Unsigned(2, 0b11);   // an edge, straight
        path.Unsigned(4, 16 - 2); // 16 bits a delta
        path.Unsigned(1, 1);      // both deltas
        path.Signed(16, dx);
        path.Signed(16, dy);
    }
    path.Unsigned(6, 0); // end of shape
    const std::string shapeTag = U16(1) + Rect(0, w / 2, 0, h / 2) + std::string("\x01\x00", 2) +
                                 Rgb(shape) + std::string(1, '\0') + path.Bytes();
    std::string tags = Tag(9, Rgb(stage)) + Tag(2, shapeTag) +
                       Tag(26, std::string("\x02", 1) + U16(1) + U16(1)); // place at depth 1
    if (!url.empty()) {
        const std::string getUrl = url + '\0' + target + '\0';
        tags += Tag(12, std::string("\x83", 1) + U16(static_cast<unsigned>(getUrl.size())) +
                            getUrl + std::string(1, '\0'));
    }
    tags += Tag(1, {}) + Tag(0, {}); // show the frame; end
    const std::string body = Rect(0, w, 0, h) + U16(12 << 8) + U16(1) + tags;
    return "FWS" + std::string(1, '\x06') + U32(static_cast<std::uint32_t>(8 + body.size())) + body;
}

// A MIDI file of `notes` piano notes of half a second each, climbing a scale from `lowest`.
inline std::string MidiSong(int notes = 16, int lowest = 60) {
    std::string events = std::string("\x00\xC0\x00", 3); // piano on channel 1
    for (int i = 0; i < notes; ++i) {
        const char note = static_cast<char>(lowest + i % 8);
        events += std::string("\x00\x90", 2) + note + '\x64';               // on, velocity 100
        events += std::string("\x60\x80", 2) + note + std::string(1, '\0'); // off 96 ticks later
    }
    events += std::string("\x00\xFF\x2F\x00", 4); // end of track
    const auto be32 = [](std::uint32_t v) {
        return std::string{static_cast<char>(v >> 24), static_cast<char>(v >> 16 & 0xFF),
                           static_cast<char>(v >> 8 & 0xFF), static_cast<char>(v & 0xFF)};
    };
    return "MThd" + be32(6) + std::string("\x00\x00\x00\x01\x00\x60", 6) + "MTrk" +
           be32(static_cast<std::uint32_t>(events.size())) + events;
}

// A wave file of a square wave at 440 Hz, 8 kHz mono 8-bit, `seconds` long.
inline std::string WaveSound(int seconds = 2) {
    const std::uint32_t samples = 8000u * static_cast<std::uint32_t>(seconds);
    std::string data(samples, '\0');
    for (std::uint32_t i = 0; i < samples; ++i)
        data[i] = static_cast<char>(i / 9 % 2 ? 0xC0 : 0x40);
    return "RIFF" + U32(36 + samples) + "WAVEfmt " + U32(16) + U16(1) + U16(1) + U32(8000) +
           U32(8000) + U16(1) + U16(8) + "data" + U32(samples) + data;
}

} // namespace old_media_files
