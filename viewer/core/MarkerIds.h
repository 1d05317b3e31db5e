/* String resources that hold the pieces of the appended-data markers; shared
   by the resource scripts and the code that assembles the markers. */
#pragma once

#define IDS_DOCUMENT_MARKER_GUID 61204
#define IDS_DOCUMENT_MARKER_TAG 61205
#define IDS_EFFECT_MARKER_GUID 61206
#define IDS_EFFECT_MARKER_TAG 61207
