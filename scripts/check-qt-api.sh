#!/usr/bin/env bash
# Fails when src/ uses Qt API that the device's Qt 5.6 does not have.
set -euo pipefail
root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
newer='QOverload|qOverload|qAsConst|WithoutBraces|QRandomGenerator|QStringView|Qt::SkipEmptyParts|Qt::KeepEmptyParts|currentSecsSinceEpoch|QThread::create|anchoredPattern|QRecursiveMutex|QUICK_TEST_MAIN_WITH_SETUP'
# The functor overload of QMetaObject::invokeMethod (5.10) takes a callable
# as its second argument: a lambda or a pointer to member.
functor='invokeMethod\([^,]+,[[:space:]]*(\[|&[A-Za-z_:]+::)'
hits=$(grep -rnE "$newer|$functor" "$root/src" --include='*.h' --include='*.cpp' || true)
if [ -n "$hits" ]; then
    echo "Qt API newer than 5.6 in src/:"
    echo "$hits"
    exit 1
fi
echo "src/ uses no Qt API newer than 5.6"
