/* Resource and command numbers the framework layer gives meaning to. Plain
   defines, so that resource scripts can use them too.

   A program built on the layer names its application in string
   APPKIT_IDS_APP_NAME and puts its document template's strings, menu,
   accelerators and icon under one resource id of its own. The layer's own
   string table (FrameworkStrings.rc, compiled into every program that links
   the layer) occupies the string blocks 61696-61711, 61728-61743 and
   61856-61871: a program's strings must stay out of them. */
#pragma once

/* Strings the program supplies. */
#define APPKIT_IDS_APP_NAME 57344

/* Commands the application object handles. */
#define APPKIT_ID_FILE_NEW 57600
#define APPKIT_ID_FILE_OPEN 57601
#define APPKIT_ID_FILE_MRU_FIRST 57616 /* up to 16 recent files: 57616-57631 */
#define APPKIT_ID_FILE_MRU_LAST 57631
#define APPKIT_ID_APP_EXIT 57665

/* The layer's own strings. */
#define APPKIT_IDS_FAILED_TO_OPEN_DOC 61696
#define APPKIT_IDS_ALL_FILES_FILTER 61697
#define APPKIT_IDS_OPEN_TITLE 61698
#define APPKIT_IDS_UNTITLED 61699

/* What went wrong inside an archive, "%1" standing for the file. */
#define APPKIT_IDS_ARCHIVE_GENERIC 61728
#define APPKIT_IDS_ARCHIVE_END_OF_DATA 61729
#define APPKIT_IDS_ARCHIVE_READ_FAILED 61730
#define APPKIT_IDS_ARCHIVE_WRITE_FAILED 61731
#define APPKIT_IDS_ARCHIVE_OUT_OF_MEMORY 61732

/* Why a file could not be used, "%1" standing for the file. */
#define APPKIT_IDS_FILE_GENERIC 61856
#define APPKIT_IDS_FILE_NOT_FOUND 61857
#define APPKIT_IDS_FILE_BAD_PATH 61858
#define APPKIT_IDS_FILE_TOO_MANY_OPEN 61859
#define APPKIT_IDS_FILE_ACCESS_DENIED 61860
#define APPKIT_IDS_FILE_SHARING 61861
#define APPKIT_IDS_FILE_DISK_FULL 61862
