#pragma once

#include <cstddef>
#include <cstdint>

// The one entry point every target defines; libFuzzer calls it, and so does the corpus replay.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
