#pragma once
// The sections of the print-out, in the order the driver runs them. Each begins on a page of its
// own under the page header and leaves the printer at the top of a fresh page.

void Prt_UHFChannel();
void Prt_Option();
void Prt_DTMF();
void Prt_2Tone();
void Prt_5Tone();
void Prt_CommBook();
void Prt_EMG();
void Prt_Alert();
