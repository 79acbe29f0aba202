// Dialog templates and the program's other resources as JSON for the page, which builds its
// menus, dialogs, lists and status bar from the same tables as the desktop.
#pragma once

#include <string>

#include "platform/DialogTemplate.h"
#include "web/Json.h"

namespace dulm::web {

void WriteTemplate(JsonWriter& json, const DialogTemplate& tmpl);
// Menus, accelerators, command prompts, the demonstrations' rows and the dialog templates.
std::string ResourcesJson();

}  // namespace dulm::web
