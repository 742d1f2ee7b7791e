#!/usr/bin/env bash
# Runs the link tests of the branding widget tests in a network namespace
# that has only loopback, so the real connection check must say "none".
# Exit code 77 (skipped) where namespaces may not be created.
set -u
bin="$1"
if ! unshare -n true 2>/dev/null; then
  echo "skipped: this system does not permit 'unshare -n' (needs root or user namespaces)"
  exit 77
fi
exec unshare -n env -u http_proxy -u https_proxy -u all_proxy -u HTTP_PROXY -u HTTPS_PROXY -u ALL_PROXY \
  ORVELLA_EXPECT_NO_NETWORK=1 QT_QPA_PLATFORM=offscreen \
  "$bin" --gtest_filter='NetworkNamespace.*:NoNetworkLinks.*'
