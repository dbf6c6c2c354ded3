// Identifiers of the host-object dialogs.
#pragma once

// ---- File and attachment dialogs ----
#define IDS_ATTACHMENT_NOT_IMAGE        2319   // %1 = the file refused
