/* Resource and command numbers of the viewer program. Plain defines, so that
   the resource scripts can use them too. The framework layer's own numbers
   (File Open, Exit, the application name) are in FrameworkIds.h. */
#pragma once

/* Menu, accelerators, icon and document strings of the main frame. */
#define IDR_MAINFRAME 128
/* The view's context menu. */
#define IDR_CONTEXT_MENU 130
#define IDD_ABOUTBOX 100
/* The carried Static module: resource type "VIVIFONT". */
#define IDR_STATIC_MODULE 132
#define IDS_HOME_PAGE 61208

#define ID_SAVE_AS_TEXT 32772
#define ID_EDIT_SELECT_ALL 32773
#define ID_FILE_OPEN_VIEWER 32774
#define ID_HOME_PAGE 32775
#define ID_EDIT_COPY 57634
#define ID_EDIT_CUT 57635
#define ID_EDIT_FIND 57636
#define ID_APP_ABOUT 57664

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
