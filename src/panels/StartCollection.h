// What start-up does with the collection it has just loaded, in one walk over the outline instead of
// one walk each: every item's fired flag is cleared (as SetFlags does), its hot key registered (as
// AddLinksHotKeys does), and the items with a time become the timer's list.
#pragma once

#include "collection/Outline.h"
#include "panels/TimedActions.h"
#include "platform/HotKeyService.h"

void PrepareStartCollection(Outline& links, HotKeyService& hotKeys, TimedActions& timedItems);
