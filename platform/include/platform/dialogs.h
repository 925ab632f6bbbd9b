// The dialog toolkit in one include.
#pragma once

#include <platform/controls.h>
#include <platform/data_exchange.h>
#include <platform/dialog.h>
#include <platform/dialog_driver.h>
#include <platform/edit.h>
#include <platform/file_dialog.h>
#include <platform/menu.h>
#include <platform/message_box.h>
#include <platform/user_input.h>

#pragma GCC visibility push(default)

#pragma GCC visibility pop
