#include "platform/wx/WxBackend.h"
