// Identifiers of the controls' resources.
#pragma once

// ---- Code editor ----
// (22600 and 22604, the find settings' profile section and entry, are shared with the find
// page: wizard_ids.h.)
#define IDS_EDIT_UNDO                   2337
#define IDS_EDIT_REDO                   2338
#define IDS_EDIT_CUT                    2339
#define IDS_EDIT_COPY                   2340
#define IDS_EDIT_PASTE                  2341
#define IDS_EDIT_SELECT_ALL             2342
#define IDS_FIND_PROFILE_DIRECTION      22603  // profile entry: 1 search down, 0 up
