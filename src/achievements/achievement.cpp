#include "achievement.h"
// STUB: replaced by the catalogue work.
bool Achievement::isValid() const { return false; }
int Achievement::evaluateProgress(const SettlementContext &) const { return -1; }
QVariantMap Achievement::toVariantMap() const { return QVariantMap(); }
bool Achievement::isWholeNumber(double) { return false; }
QString Achievement::parametersToJson(const QVariantMap &) { return QStringLiteral("{}"); }
