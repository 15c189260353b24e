#pragma once

// Resource ids shared by the resource script and the code.
#define IDI_QUILLORA 145
#define IDR_SKIN_ARCHIVE 147

#define IDS_PRODUCT_NAME 1
#define IDS_INSTALLER_TITLE 2
