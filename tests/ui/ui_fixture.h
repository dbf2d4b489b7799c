// A drawing context as the view holds one, at a small client size, with the
// view's hooks recording what the widgets ask of it.
#pragma once

#include <vector>

#include "meet/meet_state.h"
#include "support/recording_notifier.h"
#include "ui/button_bar.h"
#include "ui/ui_context.h"
#include "ui/window_composition.h"

namespace kavalto::test {

struct UiFixture {
    MeetState meet;
    RecordingNotifier notifier;
    UiContext ui;
    ButtonBar bar;
    std::vector<PageEvent> events;
    std::vector<Rect> presented;
    int repaints = 0;

    explicit UiFixture(int32_t width = 1024, int32_t height = 700) {
        SetInitialMeet(meet);
        meet.notifier = &notifier;
        ui.meet = &meet;
        InitSkin(ui.skin, notifier);
        ui.hooks.present = [this](const Rect& r) { presented.push_back(r); };
        ui.hooks.repaint = [this] { ++repaints; };
        ui.hooks.send = [this](const PageEvent& e) { events.push_back(e); };
        Resize(width, height);
    }

    void Resize(int32_t width, int32_t height) {
        ui.painting = true;
        PrepareSurfaces(ui, bar, width, height);
        CopyAll(ui.screen, ui.background);
        ui.painting = false;
    }
};

}  // namespace kavalto::test
