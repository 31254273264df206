#include "sources/workspace.h"

namespace tarnix {

ui::TextPage* PlaceViews::Page(SectionId id) const {
  switch (id) {
    case SectionId::Autoexec:
      return autoex;
    case SectionId::Config:
      return config;
    case SectionId::Winstart:
      return winstart;
    default:
      return nullptr;
  }
}

ui::ListBox* PlaceViews::List(SectionId id) const {
  switch (id) {
    case SectionId::HklmRun:
      return runLists[0];
    case SectionId::HklmRunService:
      return runLists[1];
    case SectionId::HkcuRun:
      return runLists[2];
    case SectionId::Startup:
      return lsbStart;
    case SectionId::CommonStartup:
      return lsbComSt;
    default:
      return nullptr;
  }
}

}  // namespace tarnix
