// The Qt backend's dialogs: a Qt dialog window, or a sheet's page, with a template's controls.
#pragma once

#include "ModalRun.h"
#include "QtWindow.h"
#include "platform/ToolkitDialog.h"

PLATFORM_TOOLKIT_DIALOG(QWidget)
