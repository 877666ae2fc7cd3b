#pragma once
// What the download tool's tests share: an application object, BINs to
// write, and flashrom's emulated chips as programmers.

#include <cstdint>
#include <string>
#include <vector>

#include <QString>

// The QApplication every test here needs (event loop, widgets); the tool's
// settings go to a folder of this test process, not the user's.
void UseTestApplication();

// A BIN of `size` bytes: 0xFF, a Key-mode header with flash-size code 6
// (32M), then varied bytes so that a missed write cannot pass for a good one.
std::vector<uint8_t> MakeBin(size_t size);

// flashrom's emulated chip of `size` bytes whose content ends up in `image`.
QString EmulatedChip(size_t size, const std::string& image);
