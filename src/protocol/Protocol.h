// Protocol.h: the three ways the program reads a frame. Every output reads
// the current choice at the moment it works.
#pragma once

enum class Protocol : int {
    none = -1,
    can = 0,
    deviceNet = 1,
    canopen = 2,
};
