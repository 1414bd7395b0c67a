// The version resource both executables carry; the including file defines
// C3WS_FILE_DESCRIPTION, C3WS_INTERNAL_NAME and C3WS_FILE_NAME first.
#include "c3ws_version.h"

VS_VERSION_INFO VERSIONINFO
FILEVERSION C3WS_VERSION_NUMBERS
PRODUCTVERSION C3WS_VERSION_NUMBERS
FILEFLAGSMASK VS_FFI_FILEFLAGSMASK
FILEFLAGS 0
FILEOS VOS_NT_WINDOWS32
FILETYPE VFT_APP
FILESUBTYPE VFT2_UNKNOWN
BEGIN
  BLOCK "StringFileInfo"
  BEGIN
    // Simplified Chinese, Unicode.
    BLOCK "080404B0"
    BEGIN
      VALUE "CompanyName", "c3widescreen"
      VALUE "FileDescription", C3WS_FILE_DESCRIPTION
      VALUE "FileVersion", C3WS_VERSION_TEXT
      VALUE "InternalName", C3WS_INTERNAL_NAME
      VALUE "OriginalFilename", C3WS_FILE_NAME
      VALUE "ProductName", "c3widescreen"
      VALUE "ProductVersion", C3WS_VERSION_TEXT
    END
  END
  BLOCK "VarFileInfo"
  BEGIN
    VALUE "Translation", 0x0804, 1200
  END
END
