// The wx backend's dialogs: a wx dialog window, or a sheet's page, with a template's controls.
#pragma once

#include "ModalRun.h"
#include "WxWindow.h"
#include "platform/ToolkitDialog.h"

PLATFORM_TOOLKIT_DIALOG(wxWindow)
