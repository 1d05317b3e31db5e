/* Resource and command numbers of the probe program the framework tests run. */
#pragma once

#define PROBE_TEMPLATE 128
#define PROBE_MODAL_DIALOG 200
#define PROBE_MODELESS_DIALOG 201
#define PROBE_FIRST_EDIT 1001
#define PROBE_SECOND_EDIT 1002

/* Commands, named after the targets that handle them. */
#define PROBE_VIEW_ONLY 40001
#define PROBE_VIEW_AND_DOCUMENT 40002
#define PROBE_DOCUMENT_AND_APP 40003
#define PROBE_FRAME_AND_APP 40004
#define PROBE_APP_ONLY 40005
#define PROBE_NOBODY 40006
#define PROBE_GATED 40007        /* the view's, enabled by its update handler only while allowed */
#define PROBE_UPDATE_ONLY 40008  /* an update handler that disables it, no handler */
