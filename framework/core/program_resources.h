#pragma once

#include <cstddef>
#include <span>

// The program's compiled resources (.res image). Every program on the framework links one
// definition of it, made from its resource script at build time.
std::span<const std::byte> AfxProgramResourceImage();
