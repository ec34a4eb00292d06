#include "settings/undo.h"

#include "platform/errors.h"
#include "text/catalogue.h"

namespace settings {

void restoreNewestBackup(RegistryPage& page, platform::Services& services) {
  DriverBackups& backups = page.backups;
  const auto newest = backups.newest();
  if (!newest) throw platform::UserError(text::tr(text::Id::ErrorNoBackup));
  const Snapshot old = backups.load(*newest);
  if (services.dialogs.messageBox(text::tr(text::Id::UndoTitle),
                                  platform::format1(text::tr(text::Id::UndoQuestion), newest->when),
                                  platform::MessageIcon::None,
                                  platform::MessageButtons::OkCancel) != platform::MessageResult::Ok)
    return;
  // Restoring is a bulk change too: it can itself be undone.
  backups.save();
  writeSnapshot(services.registry, old);
  page.ShowStoredState();
  services.dialogs.messageBox(text::tr(text::Id::TitleInformation),
                              platform::format1(text::tr(text::Id::UndoDone), newest->when),
                              platform::MessageIcon::Information, platform::MessageButtons::Ok);
}

}  // namespace settings
