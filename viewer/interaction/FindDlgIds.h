/* The find dialog's template and controls. Plain defines, for the resource
   script too. */
#pragma once

#define IDD_FIND 138
#define IDC_FIND_RUN 1027
#define IDC_FIND_TEXT 1055
#define IDC_FIND_FROM_START 1044
#define IDC_FIND_UP 1025
#define IDC_FIND_DOWN 1026
#define IDC_FIND_FOLD 1050
