// The thirteen demonstrations, one row each in the order of the "New" list: all that the program,
// dulm-render and the installed desktop files know of a demonstration beyond its own folder and its
// resources (ids, dialog template, help topic).
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/DocTemplate.h"
#include "res/Menus.h"

namespace dulm {

struct DemoDescriptor {
    std::string name;         // its folder under demos/, and its name on dulm-render's command line
    unsigned templateId = 0;  // its resource id (res/Resources.h); its help topic is 0x20000 + id
    std::string docName;      // "Central Limit": its windows are "Central Limit1", "Central Limit2", ...
    std::string newName;      // its line in the "New" list
    std::string typeName;     // "Cent": "Cent Files (*.cnt)", "Cent.Document", "Cent Document"
    std::string extension;    // "cnt": its documents' extension, without the dot
    std::vector<res::MenuItem> menu;  // its windows' menu (res::DemoMenu)
    std::string icon = "dulm";        // its windows' icon, res/icons/ICON.xpm
    CMultiDocTemplate::DocumentFactory makeDocument;
    CMultiDocTemplate::ViewFactory makeView;

    // The seven document strings joined by '\n': window title (empty), document name, "New" list
    // name, filter, extension, registry type id and registry type name.
    std::string DocString() const;
    std::string DocumentTypeName() const { return typeName + " Document"; }  // also the MIME type's comment
    std::string MimeType() const { return "application/x-dulm-" + extension; }
};

const std::vector<DemoDescriptor>& Demos();
const DemoDescriptor* FindDemo(std::string_view name);
const DemoDescriptor* FindDemo(unsigned templateId);

// The menu of a window of this template; the main frame's menu for any other id.
const std::vector<res::MenuItem>& MenuOf(unsigned templateId);

// A template per row, in the same order.
std::vector<std::unique_ptr<CMultiDocTemplate>> MakeDemoTemplates();

}  // namespace dulm
