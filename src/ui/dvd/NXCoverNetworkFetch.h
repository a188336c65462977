#pragma once

// Gives the cover lookup its downloads: a synchronous HTTP(S) GET on the lookup's own thread,
// with a transfer timeout, following only redirects that do not lower security. Installing
// twice is harmless.
void NXInstallCoverNetworkFetcher();
