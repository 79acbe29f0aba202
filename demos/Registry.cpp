#include "demos/Registry.h"

#include "demos/alpha/AlphView.h"
#include "demos/anova/ScorView.h"
#include "demos/anova2/Scor2View.h"
#include "demos/binomial/QuinView.h"
#include "demos/central/CentView.h"
#include "demos/completemeans/AllView.h"
#include "demos/correlation/CorrView.h"
#include "demos/power/BetaView.h"
#include "demos/regression/RegrView.h"
#include "demos/spinner/SkinView.h"
#include "demos/studentt/StutView.h"
#include "demos/variance/VariView.h"
#include "demos/zentral/ZentView.h"
#include "res/Resources.h"

namespace dulm {

namespace {

template <class T>
std::unique_ptr<T> Create() {
    return std::make_unique<T>();
}

constexpr bool kStartDemo = true, kNoStartDemo = false;

}  // namespace

const std::vector<DemoDescriptor>& Demos() {
    using namespace res;
    static const std::vector<DemoDescriptor> demos = {
        {.name = "binomial", .templateId = IDR_BINOMIAL, .docName = "Binomial", .newName = "Binomial Demonstration",
         .typeName = "Qui", .extension = "qui", .menu = DemoMenu(kStartDemo),
         .makeDocument = Create<CQuinDoc>, .makeView = Create<CQuinView>},
        {.name = "spinner", .templateId = IDR_SPINNER, .docName = "Binomial Spinner",
         .newName = "Binomial Spinner Demonstration", .typeName = "Ski", .extension = "ski",
         .menu = DemoMenu(kStartDemo), .makeDocument = Create<CSkinDoc>, .makeView = Create<CSkinView>},
        {.name = "completemeans", .templateId = IDR_COMPLETEMEANS, .docName = "Complete Means",
         .newName = "Complete Means Demonstration", .typeName = "All", .extension = "all",
         .menu = DemoMenu(kStartDemo), .makeDocument = Create<CAllDoc>, .makeView = Create<CAllView>},
        {.name = "central", .templateId = IDR_CENTRAL, .docName = "Central Limit",
         .newName = "Central Limit Demonstration", .typeName = "Cent", .extension = "cnt",
         .menu = DemoMenu(kStartDemo), .makeDocument = Create<CCentDoc>, .makeView = Create<CCentView>},
        {.name = "zentral", .templateId = IDR_ZENTRAL, .docName = "Zentral Limit",
         .newName = "Zentral Limit Demonstration", .typeName = "Zent", .extension = "znt",
         .menu = DemoMenu(kStartDemo), .makeDocument = Create<CZentDoc>, .makeView = Create<CZentView>},
        {.name = "studentt", .templateId = IDR_STUDENTT, .docName = "Student's t",
         .newName = "Student's t Demonstration", .typeName = "Stut", .extension = "stu",
         .menu = DemoMenu(kStartDemo), .makeDocument = Create<CStutDoc>, .makeView = Create<CStutView>},
        {.name = "variance", .templateId = IDR_VARIANCE, .docName = "Variance",
         .newName = "Sample Variance Demonstration", .typeName = "Vari", .extension = "var",
         .menu = DemoMenu(kStartDemo), .makeDocument = Create<CVariDoc>, .makeView = Create<CVariView>},
        {.name = "alpha", .templateId = IDR_ALPHA, .docName = "Alpha", .newName = "Alpha Demonstration",
         .typeName = "Alp", .extension = "alp", .menu = DemoMenu(kStartDemo),
         .makeDocument = Create<CAlphDoc>, .makeView = Create<CAlphView>},
        {.name = "power", .templateId = IDR_POWER, .docName = "Power", .newName = "Power Demonstration",
         .typeName = "Bet", .extension = "bet", .menu = DemoMenu(kStartDemo),
         .makeDocument = Create<CBetaDoc>, .makeView = Create<CBetaView>},
        {.name = "correlation", .templateId = IDR_CORRELATION, .docName = "Correlation",
         .newName = "Correlation Demonstration", .typeName = "Dulm", .extension = "dlm",
         .menu = DemoMenu(kNoStartDemo, {Popup("&Options", {Item("&Circles", ID_CIRCLES, true),
                                                          Item("&Letters", ID_LETTERS, true)})}),
         .icon = "correlation", .makeDocument = Create<CCorrDoc>, .makeView = Create<CCorrView>},
        {.name = "regression", .templateId = IDR_REGRESSION, .docName = "Regression",
         .newName = "Regression Demonstration", .typeName = "Regr", .extension = "reg",
         .menu = DemoMenu(kNoStartDemo), .makeDocument = Create<CRegrDoc>, .makeView = Create<CRegrView>},
        {.name = "anova", .templateId = IDR_ANOVA, .docName = "Anova", .newName = "Anova Demonstration",
         .typeName = "Sco", .extension = "sco", .menu = DemoMenu(kNoStartDemo),
         .makeDocument = Create<CScorDoc>, .makeView = Create<CScorView>},
        {.name = "anova2", .templateId = IDR_ANOVA2, .docName = "Anova2", .newName = "Anova2 Demonstration",
         .typeName = "Sc2", .extension = "sc2", .menu = DemoMenu(kNoStartDemo),
         .makeDocument = Create<CScor2Doc>, .makeView = Create<CScor2View>},
    };
    return demos;
}

std::string DemoDescriptor::DocString() const {
    return "\n" + docName + "\n" + newName + "\n" + typeName + " Files (*." + extension + ")\n." + extension + "\n" +
           typeName + ".Document\n" + DocumentTypeName();
}

const DemoDescriptor* FindDemo(std::string_view name) {
    for (const DemoDescriptor& demo : Demos())
        if (demo.name == name) return &demo;
    return nullptr;
}

const DemoDescriptor* FindDemo(unsigned templateId) {
    for (const DemoDescriptor& demo : Demos())
        if (demo.templateId == templateId) return &demo;
    return nullptr;
}

const std::vector<res::MenuItem>& MenuOf(unsigned templateId) {
    const DemoDescriptor* demo = FindDemo(templateId);
    return demo ? demo->menu : res::MainFrameMenu();
}

std::vector<std::unique_ptr<CMultiDocTemplate>> MakeDemoTemplates() {
    std::vector<std::unique_ptr<CMultiDocTemplate>> templates;
    for (const DemoDescriptor& demo : Demos())
        templates.push_back(
            std::make_unique<CMultiDocTemplate>(demo.templateId, demo.DocString(), demo.makeDocument, demo.makeView));
    return templates;
}

}  // namespace dulm
