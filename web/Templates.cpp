#include "web/Templates.h"

#include <set>

#include "app/DemoApp.h"
#include "app/HelpFile.h"
#include "demos/Registry.h"
#include "res/Dialogs.h"
#include "res/Menus.h"
#include "res/Resources.h"
#include "res/Strings.h"

namespace dulm::web {

namespace {

const char* KindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::Static: return "static";
    case ControlKind::Edit: return "edit";
    case ControlKind::PushButton: return "button";
    case ControlKind::DefPushButton: return "default";
    case ControlKind::AutoRadio: return "autoradio";
    case ControlKind::Radio: return "radio";
    case ControlKind::Icon: return "icon";
    }
    return "static";
}

void WriteRect(JsonWriter& json, const DialogRect& r) {
    json.BeginArray().Number(r.x).Number(r.y).Number(r.cx).Number(r.cy).EndArray();
}

void WriteMenu(JsonWriter& json, const std::vector<res::MenuItem>& items, std::set<unsigned>& commands) {
    json.BeginArray();
    for (const res::MenuItem& item : items) {
        json.BeginObject().Member("text", item.text).Member("id", item.id);
        if (item.checked) json.Member("checked", true);
        if (!item.popup.empty()) {
            json.Key("popup");
            WriteMenu(json, item.popup, commands);
        }
        json.EndObject();
        if (item.id != 0) commands.insert(item.id);
    }
    json.EndArray();
}

}  // namespace

void WriteTemplate(JsonWriter& json, const DialogTemplate& tmpl) {
    json.BeginObject()
        .Member("id", tmpl.id)
        .Member("caption", tmpl.caption)
        .Member("font", tmpl.fontFace)
        .Member("points", tmpl.fontPoints)
        .Key("rect");
    WriteRect(json, tmpl.rect);
    json.Key("controls").BeginArray();
    for (const DialogControl& c : tmpl.controls) {
        json.BeginObject().Member("kind", KindName(c.kind)).Member("id", c.id).Member("text", c.text).Key("rect");
        WriteRect(json, c.rect);
        if (c.group) json.Member("group", true);
        if (c.textLeft) json.Member("textLeft", true);
        if (c.kind == ControlKind::Edit) {
            // Its label and range, as indices into the controls.
            const EditLabels labels = LabelsOf(tmpl, c);
            const auto index = [&](const DialogControl* l) { return int(l - tmpl.controls.data()); };
            if (labels.name) json.Member("label", index(labels.name));
            json.Key("hints").BeginArray();
            for (const DialogControl* hint : labels.hints) json.Number(index(hint));
            json.EndArray();
        }
        if (c.group)
            if (const std::string name = res::RadioGroupName(tmpl.id, c.id); !name.empty()) json.Member("groupName", name);
        json.EndObject();
    }
    json.EndArray().EndObject();
}

std::string ResourcesJson() {
    using namespace res;
    JsonWriter json;
    std::set<unsigned> commands;
    json.BeginObject().Member("title", LoadString(AFX_IDS_APP_TITLE));
    json.Key("startup").BeginObject().Member("question", kIntroductionQuestion).Member("introduction", kIntroductionContext).EndObject();
    json.Key("menus").BeginObject().Key(std::to_string(IDR_MAINFRAME));
    WriteMenu(json, MainFrameMenu(), commands);
    for (const DemoDescriptor& d : Demos()) {
        json.Key(std::to_string(d.templateId));
        WriteMenu(json, d.menu, commands);
    }
    json.EndObject();
    json.Key("accelerators").BeginArray();
    for (const Accelerator& a : LoadAccelerators())
        json.BeginObject()
            .Member("vk", a.vk)
            .Member("ctrl", a.ctrl)
            .Member("shift", a.shift)
            .Member("alt", a.alt)
            .Member("command", a.command)
            .EndObject();
    json.EndArray();
    // The status bar's texts: the idle and help-mode messages, the indicators and each command's prompt.
    for (unsigned id : {AFX_IDS_IDLEMESSAGE, AFX_IDS_HELPMODEMESSAGE, ID_INDICATOR_CAPS, ID_INDICATOR_NUM,
                        ID_INDICATOR_SCRL, ID_CONTEXT_HELP, ID_HELP})
        commands.insert(id);
    json.Key("strings").BeginObject();
    for (unsigned id : commands)
        if (const std::string& s = LoadString(id); !s.empty()) json.Member(std::to_string(id), s);
    json.EndObject();
    json.Key("demos").BeginArray();
    for (const DemoDescriptor& d : Demos()) {
        json.BeginObject()
            .Member("name", d.name)
            .Member("template", d.templateId)
            .Member("docName", d.docName)
            .Member("newName", d.newName)
            .Member("extension", d.extension)
            .Member("icon", d.icon)
            .Key("commands")
            .BeginArray();
        for (unsigned id : ViewCommands(d.menu)) json.Number(id);
        json.EndArray().EndObject();
    }
    json.EndArray();
    json.Key("dialogs").BeginObject();
    for (const DialogTemplate* t : AllDialogs()) {
        json.Key(std::to_string(t->id));
        WriteTemplate(json, *t);
    }
    json.EndObject();
    json.EndObject();
    return json.Text();
}

}  // namespace dulm::web
