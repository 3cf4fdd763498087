#pragma once

#include <cstddef>
#include <string>

/// The limits of one page load.
struct TLoadLimits {
    /// Pages larger than this many bytes are refused.
    std::size_t MaxBytes = 256u * 1024u * 1024u;
    /// A network transfer that takes longer than this is abandoned.
    long TimeoutSeconds = 30;
};

/// What a load brought: the page's bytes and the Content-Type the server
/// sent (empty for files), or why it failed.
struct TLoadedPage {
    bool Ok = false;
    std::string Error;
    std::string Bytes;
    std::string ContentType;
    /// The address of what was loaded, after any redirects.
    std::string Url;
};

/// Loads the page at an address: "about:blank", a file:// URL, a local
/// path, or an http:// or https:// URL (redirects followed, only to http
/// and https). Never raises; a failure is described in Error.
TLoadedPage LoadPage(const std::string& address, const TLoadLimits& limits);
