#include "gui/ancillary/ancillary_views.h"

#include "gui/ancillary/about_view.h"
#include "gui/ancillary/update_view.h"
#include "gui/platform/qt_platform_services.h"

namespace dorvik::gui {

namespace {
template <typename View, typename Form> void Register(QtPlatformServices& services) {
    services.RegisterModalView<Form>([&services](Form& form, QWidget* parent) {
        View view(form, services, parent);
        return view.Run();
    });
}
} // namespace

void RegisterAncillaryViews(QtPlatformServices& services) {
    Register<AboutView, TfrmAbout>(services);
    Register<UpdateView, TfrmUpdate>(services);
    Register<OptionsView, TfrmOptions>(services);
}

} // namespace dorvik::gui
