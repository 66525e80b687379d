#pragma once

#include <QString>

// libcurl is loaded when the first transfer needs it, not with the program:
// it and the libraries it brings (Kerberos, LDAP, GnuTLS, ...) take longer
// to load than everything else start-up loads. The curl_* functions our code
// calls are defined in curlloader.cpp and go to the loaded library.

// Loads libcurl if it is not loaded yet; false, with the reason in *error,
// when it cannot be loaded.
bool loadCurl(QString *error);
