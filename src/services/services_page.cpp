#include "services/services_page.h"

#include <string>
#include <vector>

#include "sources/error_box.h"
#include "sources/restart_offer.h"
#include "sources/start_for_user.h"

namespace tarnix {

namespace {

const char kNoRights[] =
    "Only an administrator can change the start type of a service. Start Tarnix II as an "
    "administrator to change it.";
const char kServiceGone[] = "The service no longer exists.";
const char kNoManager[] = "The service manager could not be opened.";
const char kNotOpened[] = "The service could not be opened.";
const char kNotChanged[] = "The start type of the service could not be changed.";

void Report(Workspace& ws, ServiceFailure failure, const char* otherwise) {
  if (failure == ServiceFailure::AccessDenied) {
    ws.toolkit.MessageBox(ws.mainForm, kNoRights, "Sorry!", ui::mb::Ok | ui::mb::IconStop);
    OfferRestart(ws, StoreFailure::AccessDenied);
    return;
  }
  const char* text = failure == ServiceFailure::NoSuchService ? kServiceGone : otherwise;
  ShowError(ws, text);
}

// The service opened for its change, or null once the user has been told why not.
std::unique_ptr<ServiceHandle> OpenForChange(Workspace& ws, ServiceControl& services,
                                             const std::string& displayName) {
  Opened<ServiceManagerHandle> manager = services.OpenManager();
  if (!manager.handle) {
    Report(ws, manager.failure, kNoManager);
    return nullptr;
  }
  std::string keyName;
  if (ServiceFailure failure = manager.handle->KeyName(displayName, keyName);
      failure != ServiceFailure::None) {
    Report(ws, failure, kNotOpened);
    return nullptr;
  }
  Opened<ServiceHandle> service = manager.handle->OpenForChange(keyName);
  if (!service.handle) {
    Report(ws, service.failure, kNotOpened);
  }
  return std::move(service.handle);
}

}  // namespace

void ListServices(Workspace& ws, ServiceControl* services) {
  if (services == nullptr) {
    return;
  }
  ws.places.services.clear();
  Opened<ServiceManagerHandle> manager = services->OpenManager();
  std::vector<ServiceEntry> active;
  if (!manager.handle || ListActiveServices(*manager.handle, active) != ServiceFailure::None) {
    return;
  }
  for (const ServiceEntry& service : active) {
    if (service.displayName.empty()) {
      continue;
    }
    ws.places.services.push_back(service);
    const bool running = service.currentState == svc::Running;
    ws.views.lsbNTServ->Add(service.displayName,
                            running ? kServiceRunningImage : kServiceOtherStateImage);
  }
}

void StartupButton(Workspace& ws, ServiceControl* services, TfrmServ& dialog,
                   const std::string& displayName) {
  if (services == nullptr) {
    return;
  }
  std::unique_ptr<ServiceHandle> service = OpenForChange(ws, *services, displayName);
  if (!service) {
    return;
  }
  ServiceConfig config;
  std::optional<uint32_t> current;
  if (service->QueryConfig(config) == ServiceFailure::None) {
    current = config.startType;
  }
  const std::optional<uint32_t> chosen = dialog.Execute(current);
  if (!chosen) {
    return;
  }
  if (ServiceFailure failure = service->ChangeStartType(*chosen); failure != ServiceFailure::None) {
    Report(ws, failure, kNotChanged);
  }
}

void OpenEventViewer(Workspace& ws) {
  StartForUser(ws, "EVENTVWR.EXE", ui::sw::Maximized);
}

}  // namespace tarnix
