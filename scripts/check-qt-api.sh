#!/usr/bin/env bash
# A quick hint, not the verdict: fails when src/ or tests/ use Qt API that the
# device's Qt 5.6 does not have, or the QML uses what its QtQuick and QtTest
# lack. The build and test run against Qt 5.6.3 (qt56-check.sh) decides.
set -euo pipefail
root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
newer='QOverload|qOverload|qAsConst|WithoutBraces|QRandomGenerator|QStringView|Qt::SkipEmptyParts|Qt::KeepEmptyParts|currentSecsSinceEpoch|QThread::create|anchoredPattern|QRecursiveMutex|QUICK_TEST_MAIN_WITH_SETUP|QScopeGuard|qScopeGuard'
# The functor overload of QMetaObject::invokeMethod (5.10) takes a callable
# as its second argument: a lambda or a pointer to member.
functor='invokeMethod\([^,]+,[[:space:]]*(\[|&[A-Za-z_:]+::)'
hits=$(grep -rnE "$newer|$functor" "$root/src" "$root/tests" --include='*.h' --include='*.cpp' || true)
# TestCase.tryVerify and createTemporaryObject are 5.8; a QML enum declaration is 5.10.
qml=$(grep -rnE '\b(tryVerify|createTemporaryObject)\(|^[[:space:]]*enum[[:space:]]+[A-Z]' "$root/qml" "$root/tests" \
    --include='*.qml' --include='*.js' || true)
if [ -n "$hits$qml" ]; then
    echo "Qt API newer than 5.6:"
    printf "%s\n" "$hits" "$qml" | sed "/^$/d"
    exit 1
fi
echo "src/, tests/ and the QML use no Qt API newer than 5.6"
