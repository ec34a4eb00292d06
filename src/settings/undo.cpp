#include "settings/undo.h"

#include "platform/errors.h"
#include "text/catalogue.h"

namespace settings {
namespace {

// The question names the change the backup was saved before, so that the user knows which one
// is undone.
text::Id questionFor(BackupAction action) {
  switch (action) {
    case BackupAction::Preset: return text::Id::UndoQuestionPreset;
    case BackupAction::Removal: return text::Id::UndoQuestionRemoval;
    case BackupAction::Box: return text::Id::UndoQuestionBox;
    case BackupAction::Undo:
    case BackupAction::Unknown: break;
  }
  return text::Id::UndoQuestion;
}

}  // namespace

void restoreNewestBackup(RegistryPage& page, platform::Services& services) {
  DriverBackups& backups = page.backups;
  // A second Undo goes a step further back, never to the state the first one undid.
  const auto target = backups.nextToRestore();
  if (!target) throw platform::UserError(text::tr(text::Id::ErrorNoBackup));
  const Snapshot old = backups.load(*target);
  if (services.dialogs.messageBox(text::tr(text::Id::UndoTitle),
                                  platform::format1(text::tr(questionFor(target->action)), target->when),
                                  platform::MessageIcon::None,
                                  platform::MessageButtons::OkCancel) != platform::MessageResult::Ok)
    return;
  // Restoring is a bulk change too: its own backup (double-clicked, regedit imports it) takes
  // the Undo back, and tells the next Undo how far back this one went.
  backups.save(BackupAction::Undo);
  writeSnapshot(services.registry, old);
  page.ShowStoredState();
  services.dialogs.messageBox(text::tr(text::Id::TitleInformation),
                              platform::format1(text::tr(text::Id::UndoDone), target->when),
                              platform::MessageIcon::Information, platform::MessageButtons::Ok);
}

}  // namespace settings
