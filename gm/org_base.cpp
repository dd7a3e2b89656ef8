// The one translation unit that defines the named global variables and their tables, compiled from
// the generated header. Compiled with the Windows-1251 input charset: the header's comment texts
// are Windows-1251 bytes and must reach the program unchanged.
#define ORG_BASE_DEFINING
#include "gm/org_base.h"

#include <cstring>

#include "shell/binfile.h"

// The generated stage part passes each variable itself; the file primitives take its address.
static void IntRead(int& v, FILE* f) { IntRead(static_cast<void*>(&v), f); }
static void FloRead(float& v, FILE* f) { FloRead(static_cast<void*>(&v), f); }

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wwrite-strings"
#include "gm/org_base_a.h"
#pragma GCC diagnostic pop

static_assert(org2::Last + 1 == kOrg2Cells, "org2n cells declared in gm/org_base.h");
static_assert(orgF::Last + 1 == kOrgFCells, "orgFn cells declared in gm/org_base.h");

int Org_Stub1() { return 1; }
