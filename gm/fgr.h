// The figure record Fgr: the generated numbering constants and data part with the hand-written
// tail. Include this header, never gm/fa_pre.h or gm/fa_in.h on their own.
#pragma once

#include <cstddef>
#include <cstdio>
#include <type_traits>

#ifndef USE_EDITOR_PROC
#define USE_EDITOR_PROC  // the editor's property accessors are part of every build
#endif

class Fgr;
struct t_item;
struct t_UNIT;

// The counts of gm/fa_pre.h size the arrays of gm/fa_in.h: it comes first.
#include "gm/fa_pre.h"

#include "gm/fa_in.h"
