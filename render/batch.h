// Batch lists: what the figures' queue procedures ask to draw in each view, grouped in buckets that
// share a texture and a group key. An entry names a figure (drawn by its batched draw procedure),
// a callback or a ground command (collected into the quad arrays and drawn once per bucket).
#pragma once
#include <cstdint>

class Fgr;
struct GroundCmd;

constexpr int kBatchLists = 10;  // the same ten a view keeps bucket words for

typedef void (*BatchCallback)(int drawKind);

struct BatchEntry {
  int16_t match;     // 0: joins a bucket whose head has match 0 on the group key alone
  int16_t key;       // group key
  int16_t tex;       // texture slot; 0 or below texturing off, below 0 outlines (large lists)
  int16_t key2;      // compared with the texture slot
  int16_t drawKind;  // handed to the figure (OnR_inFgr) or the callback
  Fgr* fgr;
  const GroundCmd* cmd;
  BatchCallback cb;
  BatchEntry* next;  // the next entry of the same bucket
};

// Entries 1..N and buckets 1..K are used (index 0 never).
template <int N, int K>
struct t_BatchList {
  static constexpr int kEntries = N;
  static constexpr int kBuckets = K;
  BatchEntry e[N + 1];
  BatchEntry* head[K + 1];
  BatchEntry* last;  // the entry added last, until a command or callback is stored in it
  int count;
  int nom;         // the list's number among its type: 1..4 or 1..6
  int enabled;     // large lists: 0 refuses every add
  int sceneIndex;  // 0..9: which of a view's ten bucket words are this list's
};
typedef t_BatchList<7000, 50> BatchList;
typedef t_BatchList<10200, 3000> BatchListBig;

int BatchList_Add(BatchList* l, int decal, Fgr* f, int drawKind, int key, int tex, int key2, int match);
int BatchListBig_Add(BatchListBig* l, int decal, Fgr* f, int drawKind, int key, int tex, int key2,
                     int match);
int BatchList_AddCmd(BatchList* l, int decal, const GroundCmd* cmd, int drawKind, int key, int tex,
                     int key2, int match);
int BatchListBig_AddCmd(BatchListBig* l, int decal, const GroundCmd* cmd, int drawKind, int key, int tex,
                        int key2, int match);
int BatchList_AddCallback(BatchList* l, int decal, BatchCallback cb, int drawKind, int key, int tex,
                          int key2, int match);
int BatchListBig_AddCallback(BatchListBig* l, int decal, BatchCallback cb, int drawKind, int key,
                             int tex, int key2, int match);

// The current view's bucket words of the list; nothing (0) without a current view.
int BatchList_FirstBucket(const BatchList* l);
int BatchListBig_FirstBucket(const BatchListBig* l);
void BatchList_SetFirst(BatchList* l, int b);
void BatchListBig_SetFirst(BatchListBig* l, int b);
void BatchList_CountUp(BatchList* l);
void BatchListBig_CountUp(BatchListBig* l);

void BatchList_Draw(BatchList* l, int first, int count);
void BatchListBig_Draw(BatchListBig* l, int first, int count, int flat);

void Fgr_DrawBatched(Fgr* f);  // the figure's batched draw procedure (ProcNomOnR), when it has one
int Wrap1000(BatchEntry* e);   // a group key above 999 becomes the key modulo 1000

// Construction and the per-frame emptying (the render scene's). Init builds a list in storage
// that holds zeroes (the scene zeroes a used list first); it writes only the non-zero words.
template <int N, int K>
void BatchList_Init(t_BatchList<N, K>* l, int nom, int sceneIndex);
template <int N, int K>
void BatchList_Clear(t_BatchList<N, K>* l);
