#pragma once

#include <QString>
#include <QStringView>
#include <optional>

#include "ui/help/chm_reader.h"

namespace polkamina::help {

// Declarations of a rule or a style attribute with only the properties and
// values the viewer keeps: Qt's properties with lengths within the bounds
// of page_limits.h, no floats, and pictures only from the file (addresses in
// url() resolved against the entry `baseEntry`). Empty when none is kept;
// nothing when there are more than kMaxDeclarations.
std::optional<QString> cleanDeclarations(QStringView declarations, const ChmReader& chm,
                                         const QString& baseEntry);

}  // namespace polkamina::help
