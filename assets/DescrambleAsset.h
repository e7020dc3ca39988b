// Turns the stored bytes of an embedded asset into its plain bytes. Every stored byte is the
// plain byte XORed with the low 8 bits of one keystream output, in order, from a generator
// freshly seeded with kAssetSeed, so the same call also scrambles plain bytes.
#pragma once

#include "platform/win32/win32.h"

// Reseeds g_keyStream with kAssetSeed and returns a new 16-byte aligned buffer of size bytes,
// each the source byte XORed with the next keystream byte. The caller gives the buffer back
// with AlignedFree. Null when the buffer cannot be allocated; source is then not read.
unsigned char* DescrambleAsset(const unsigned char* source, UINT size);
