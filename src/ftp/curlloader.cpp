#include "curlloader.h"

#include <curl/curl.h>

#include <QtGlobal>

#include <cstdarg>
#include <dlfcn.h>

// The type-checking macros of curl.h would stand in for our definitions.
#undef curl_easy_setopt
#undef curl_easy_getinfo

namespace {

constexpr const char *kLibrary = "libcurl.so.4";

void *library(QString *error)
{
    static void *const handle = ::dlopen(kLibrary, RTLD_NOW | RTLD_LOCAL);
    if (!handle && error)
        *error = QStringLiteral("Cannot load %1: %2").arg(QLatin1String(kLibrary), QString::fromLocal8Bit(::dlerror()));
    return handle;
}

// The library's own function of the same name and type as ours.
template <auto &Ours>
auto theirs(const char *name)
{
    static const auto function = [name] {
        QString error;
        void *handle = library(&error);
        void *found = handle ? ::dlsym(handle, name) : nullptr;
        if (!found)
            qFatal("%s",
                   qPrintable(handle ? QStringLiteral("%1 lacks %2").arg(QLatin1String(kLibrary), QLatin1String(name))
                                     : error));
        return reinterpret_cast<decltype(&Ours)>(found);
    }();
    return function;
}

// curl_easy_setopt and curl_easy_getinfo take one argument after the
// option, whose type the option's number tells.
template <typename Handle, typename Option, typename Function>
CURLcode forwardOne(Function function, Handle *handle, Option option, va_list arguments)
{
    if (option < CURLOPTTYPE_OBJECTPOINT)
        return function(handle, option, va_arg(arguments, long));
    if (option >= CURLOPTTYPE_OFF_T && option < CURLOPTTYPE_BLOB)
        return function(handle, option, va_arg(arguments, curl_off_t));
    return function(handle, option, va_arg(arguments, void *));
}

} // namespace

bool loadCurl(QString *error)
{
    return library(error) != nullptr;
}

extern "C" {

CURLcode curl_global_init(long flags)
{
    return theirs<curl_global_init>("curl_global_init")(flags);
}

CURL *curl_easy_init()
{
    return theirs<curl_easy_init>("curl_easy_init")();
}

CURLcode curl_easy_setopt(CURL *curl, CURLoption option, ...)
{
    va_list arguments;
    va_start(arguments, option);
    const CURLcode code = forwardOne(theirs<curl_easy_setopt>("curl_easy_setopt"), curl, option, arguments);
    va_end(arguments);
    return code;
}

CURLcode curl_easy_getinfo(CURL *curl, CURLINFO info, ...)
{
    // Every item is given a place to write to.
    va_list arguments;
    va_start(arguments, info);
    void *place = va_arg(arguments, void *);
    va_end(arguments);
    return theirs<curl_easy_getinfo>("curl_easy_getinfo")(curl, info, place);
}

void curl_easy_reset(CURL *curl)
{
    theirs<curl_easy_reset>("curl_easy_reset")(curl);
}

void curl_easy_cleanup(CURL *curl)
{
    theirs<curl_easy_cleanup>("curl_easy_cleanup")(curl);
}

const char *curl_easy_strerror(CURLcode code)
{
    return theirs<curl_easy_strerror>("curl_easy_strerror")(code);
}

void curl_free(void *pointer)
{
    theirs<curl_free>("curl_free")(pointer);
}

CURLM *curl_multi_init()
{
    return theirs<curl_multi_init>("curl_multi_init")();
}

CURLMcode curl_multi_add_handle(CURLM *multi, CURL *curl)
{
    return theirs<curl_multi_add_handle>("curl_multi_add_handle")(multi, curl);
}

CURLMcode curl_multi_remove_handle(CURLM *multi, CURL *curl)
{
    return theirs<curl_multi_remove_handle>("curl_multi_remove_handle")(multi, curl);
}

CURLMcode curl_multi_perform(CURLM *multi, int *running)
{
    return theirs<curl_multi_perform>("curl_multi_perform")(multi, running);
}

CURLMcode curl_multi_poll(CURLM *multi, curl_waitfd extra[], unsigned int extraCount, int timeoutMs, int *ready)
{
    return theirs<curl_multi_poll>("curl_multi_poll")(multi, extra, extraCount, timeoutMs, ready);
}

CURLMsg *curl_multi_info_read(CURLM *multi, int *queued)
{
    return theirs<curl_multi_info_read>("curl_multi_info_read")(multi, queued);
}

CURLMcode curl_multi_cleanup(CURLM *multi)
{
    return theirs<curl_multi_cleanup>("curl_multi_cleanup")(multi);
}

curl_slist *curl_slist_append(curl_slist *list, const char *text)
{
    return theirs<curl_slist_append>("curl_slist_append")(list, text);
}

void curl_slist_free_all(curl_slist *list)
{
    theirs<curl_slist_free_all>("curl_slist_free_all")(list);
}

CURLU *curl_url()
{
    return theirs<curl_url>("curl_url")();
}

void curl_url_cleanup(CURLU *url)
{
    theirs<curl_url_cleanup>("curl_url_cleanup")(url);
}

CURLUcode curl_url_set(CURLU *url, CURLUPart part, const char *text, unsigned int flags)
{
    return theirs<curl_url_set>("curl_url_set")(url, part, text, flags);
}

CURLUcode curl_url_get(CURLU *url, CURLUPart part, char **text, unsigned int flags)
{
    return theirs<curl_url_get>("curl_url_get")(url, part, text, flags);
}

} // extern "C"
