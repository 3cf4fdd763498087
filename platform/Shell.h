#pragma once

#include <functional>
#include <string>

/// Opens an address with the desktop's default handler: xdg-open is started
/// directly, with the address as its one argument and no shell between, so
/// no address can run a command. The result is not waited for or checked.
void ShellOpen(const std::string& address);

/// Replaces what ShellOpen does (tests record the address instead); an
/// empty hook restores xdg-open.
void SetShellOpenHook(std::function<void(const std::string&)> hook);
