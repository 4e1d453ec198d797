#pragma once
// The image codec: the 16 KB mirror of the radio's memory (State().MemoryImage) and the routines
// that give it its start values, pack the records into it before a write, unpack it into the
// records after a read, and adopt the radio's model and band plan.
//
// Packers report a failure themselves (a message box with their name followed by "Error") and
// clear State().ImagePackOk; the write command sets ImagePackOk true before PackMemoryImage and
// starts the transfer only when it is still true afterwards.

// Start values of the whole image; 0x0000-0x000F and 0x0140-0x015F keep what they hold, so that
// what a read brought there goes back to the radio unchanged with the next write.
void ResetMemoryImage();
// Runs the packers in order and stops after the first that fails.
void PackMemoryImage();
// Unpacks every region into RadioData, ChannelList and EmbeddedInfoBlock.
void UnpackMemoryImage();
// The radio's model and band plan (from its identify reply) become the program's own.
void AdoptRadioModel();

// Region packers, in the order PackMemoryImage runs them.
void SetCommDataByScan();
void SetCommDataByAlert();
void SetCommDataByFrequency();
void SetCommDataByOption();
void SetCommDataBy5Tone();
void SetCommDataBy2Tone();
void SetCommDataByDTMF();          // stores the completed own ID back into RadioData
void SetCommDataByDTMFCommuBook(); // sorts and renumbers the working book first

// Region unpackers, in the order UnpackMemoryImage runs them.
void GetCommDataByFrequency();
void GetCommDataByScan();
void GetCommDataByAlert();
void UnpackEmbeddedMessage(); // also run alone after an information read
void GetCommDataByOption();
void GetCommDataBy5Tone();
void GetCommDataBy2Tone();
void GetCommDataByDTMF();
void GetCommDataByDTMFCommuBook();
