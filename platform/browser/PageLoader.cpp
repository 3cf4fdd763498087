#include "platform/browser/PageLoader.h"

#include <curl/curl.h>

#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>

namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsWithNoCase(const std::string& text, const char* prefix)
{
    const std::size_t n = std::strlen(prefix);
    if (text.size() < n)
        return false;
    for (std::size_t i = 0; i < n; ++i)
        if (LowerAscii(text[i]) != prefix[i])
            return false;
    return true;
}

TLoadedPage Failure(std::string error)
{
    TLoadedPage page;
    page.Error = std::move(error);
    return page;
}

std::string TooLarge(const TLoadLimits& limits)
{
    return "the page is larger than the limit of " + std::to_string(limits.MaxBytes) + " bytes";
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = LowerAscii(c);
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::string PercentDecoded(const std::string& text)
{
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 && HexValue(text[i + 2]) >= 0) {
            result += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
        } else {
            result += text[i];
        }
    }
    return result;
}

// True for text that starts like an address with a scheme ("ftp:...").
bool HasScheme(const std::string& address, std::string& scheme)
{
    const std::size_t colon = address.find(':');
    if (colon == std::string::npos || colon < 2)
        return false;
    for (std::size_t i = 0; i < colon; ++i) {
        const char c = address[i];
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!(letter || (i > 0 && ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'))))
            return false;
    }
    scheme = address.substr(0, colon);
    return true;
}

std::string FileUrl(const std::string& path)
{
    std::string url = "file://";
    for (const char c : path) {
        if (c == '%' || c == '#' || c == '?' || c == ' ' || static_cast<unsigned char>(c) < 0x20) {
            char buffer[4];
            std::snprintf(buffer, sizeof buffer, "%%%02X", static_cast<unsigned char>(c));
            url += buffer;
        } else {
            url += c;
        }
    }
    return url;
}

TLoadedPage LoadFile(const std::string& path, const TLoadLimits& limits)
{
    struct stat info {};
    if (stat(path.c_str(), &info) != 0)
        return Failure(std::strerror(errno));
    if (S_ISDIR(info.st_mode))
        return Failure("it is a directory");
    if (S_ISREG(info.st_mode) && static_cast<unsigned long long>(info.st_size) > limits.MaxBytes)
        return Failure(TooLarge(limits));
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file)
        return Failure(std::strerror(errno));
    TLoadedPage page;
    if (S_ISREG(info.st_mode))
        page.Bytes.reserve(static_cast<std::size_t>(info.st_size));
    // Read in pieces with the limit checked on the way, since a file that
    // is not a regular one (a pipe) has no size beforehand.
    char buffer[65536];
    while (true) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, file.get());
        if (n == 0)
            break;
        if (page.Bytes.size() + n > limits.MaxBytes)
            return Failure(TooLarge(limits));
        page.Bytes.append(buffer, n);
    }
    if (std::ferror(file.get()))
        return Failure(std::strerror(errno));
    char resolved[PATH_MAX];
    page.Url = FileUrl(realpath(path.c_str(), resolved) != nullptr ? resolved : path);
    page.Ok = true;
    return page;
}

TLoadedPage LoadFileUrl(const std::string& address, const TLoadLimits& limits)
{
    std::string rest = address.substr(5); // after "file:"
    const std::size_t end = rest.find_first_of("?#");
    if (end != std::string::npos)
        rest.erase(end);
    if (rest.rfind("//", 0) == 0) {
        rest.erase(0, 2);
        const std::size_t slash = rest.find('/');
        const std::string host = rest.substr(0, slash);
        if (!host.empty() && !(host.size() == 9 && StartsWithNoCase(host, "localhost")))
            return Failure("file addresses on other hosts (" + host + ") are not supported");
        rest = slash == std::string::npos ? std::string("/") : rest.substr(slash);
    }
    if (rest.empty() || rest[0] != '/')
        return Failure("a file address needs an absolute path");
    return LoadFile(PercentDecoded(rest), limits);
}

struct TTransfer {
    std::string* Bytes;
    std::size_t MaxBytes;
    bool TooLarge = false;
};

std::size_t Receive(char* data, std::size_t size, std::size_t count, void* user)
{
    auto* transfer = static_cast<TTransfer*>(user);
    const std::size_t n = size * count;
    if (transfer->Bytes->size() + n > transfer->MaxBytes) {
        transfer->TooLarge = true;
        return 0; // ends the transfer with a write error
    }
    transfer->Bytes->append(data, n);
    return n;
}

TLoadedPage LoadHttp(const std::string& address, const TLoadLimits& limits)
{
    static std::once_flag initialised;
    std::call_once(initialised, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });

    std::unique_ptr<CURL, void (*)(CURL*)> curl(curl_easy_init(), &curl_easy_cleanup);
    if (!curl)
        return Failure("the network library could not be started");
    TLoadedPage page;
    TTransfer transfer{&page.Bytes, limits.MaxBytes};
    char error[CURL_ERROR_SIZE] = "";
    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, address.c_str());
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, error);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(c, CURLOPT_MAXREDIRS, 10L);
    // Neither the address nor a redirect may lead to another protocol
    // (a redirect to file:// would read local files).
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_TIMEOUT, limits.TimeoutSeconds);
    curl_easy_setopt(c, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.MaxBytes));
    curl_easy_setopt(c, CURLOPT_ACCEPT_ENCODING, "");
    curl_easy_setopt(c, CURLOPT_USERAGENT, "Quorvane/1.2");
    // The own machine is never reached through a proxy.
    curl_easy_setopt(c, CURLOPT_NOPROXY, "localhost,127.0.0.1,::1");
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &Receive);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &transfer);
    const CURLcode result = curl_easy_perform(c);
    if (transfer.TooLarge || result == CURLE_FILESIZE_EXCEEDED)
        return Failure(TooLarge(limits));
    if (result != CURLE_OK)
        return Failure(error[0] != '\0' ? std::string(error) : std::string(curl_easy_strerror(result)));
    long status = 0;
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status);
    if (status >= 400)
        return Failure("the server answered with HTTP status " + std::to_string(status));
    char* type = nullptr;
    if (curl_easy_getinfo(c, CURLINFO_CONTENT_TYPE, &type) == CURLE_OK && type != nullptr)
        page.ContentType = type;
    char* url = nullptr;
    if (curl_easy_getinfo(c, CURLINFO_EFFECTIVE_URL, &url) == CURLE_OK && url != nullptr)
        page.Url = url;
    else
        page.Url = address;
    page.Ok = true;
    return page;
}

} // namespace

TLoadedPage LoadPage(const std::string& address, const TLoadLimits& limits)
{
    if (address.empty())
        return Failure("no address given");
    if (StartsWithNoCase(address, "about:")) {
        if (address.size() != 11 || !StartsWithNoCase(address, "about:blank"))
            return Failure("only about:blank is known");
        TLoadedPage page;
        page.Ok = true;
        page.Url = "about:blank";
        return page;
    }
    if (StartsWithNoCase(address, "http://") || StartsWithNoCase(address, "https://"))
        return LoadHttp(address, limits);
    if (StartsWithNoCase(address, "file:"))
        return LoadFileUrl(address, limits);
    std::string scheme;
    struct stat info {};
    if (HasScheme(address, scheme) && stat(address.c_str(), &info) != 0)
        return Failure("addresses of the kind " + scheme + ": are not supported");
    return LoadFile(address, limits);
}
