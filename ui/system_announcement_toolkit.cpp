// On AT-SPI the toolkit carries the spoken status: screen readers read out
// its notification as it shows.
#include "system_announcement.h"

namespace lorvane {

void AnnounceToSystem(QWidget*, const QString&) {}

}  // namespace lorvane
