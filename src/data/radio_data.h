#pragma once
// The settings record and its blocks (filled in with their fields and defaults).

struct RadioDataRecord {
};
