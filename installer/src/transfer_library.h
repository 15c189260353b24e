#pragma once

// libcurl's process-wide state. Start-up initialises it once; when that
// fails the installer still runs and the ready flag in the settings tells
// the downloaders.
namespace TransferLibrary {

// curl_global_init(CURL_GLOBAL_ALL); true on success.
bool Initialise();

void Cleanup();

}  // namespace TransferLibrary
