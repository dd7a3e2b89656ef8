// Clearing large records without dirtying memory that is still zero.
#pragma once
#include <cstddef>

// Sets n bytes at p to zero, writing only the 4 KB pages (of the address space) that hold a byte
// that is not zero. A static record that nothing has written yet is still the kernel's shared zero
// page: reading it costs no memory, writing zeroes over it would give it pages of its own.
void MemClear(void* p, size_t n);
