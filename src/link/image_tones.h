#pragma once
// The record routines of the 5-tone region: one code record or information code to or from the
// image at an address. They run inside SetCommDataBy5Tone / GetCommDataBy5Tone.

#include "data/radio_data.h"

// maxDigits is the room of the area: 24 digits for a PTT-ID code, 40 for a code row. A longer
// length is packed and read back cut to that room. withName: the code rows carry a 7-byte name.
void PackFiveToneCode(const FiveToneCodeRecord &rec, int address, bool withName, int maxDigits);
void UnpackFiveToneCode(FiveToneCodeRecord &rec, int address, bool withName, int maxDigits);
// An information code: at most 12 digits, one per byte.
void PackInfoCode(const InfoCodeRecord &rec, int address);
void UnpackInfoCode(InfoCodeRecord &rec, int address);
