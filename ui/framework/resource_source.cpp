#include "ui/framework/resource_source.h"

namespace SkinUI {

namespace {

// Set once by the start-up code and read on the UI thread afterwards.
ISkinResourceSource* g_source = nullptr;
HINSTANCE g_instance = nullptr;

}  // namespace

void SetSkinResourceSource(ISkinResourceSource* source) { g_source = source; }

ISkinResourceSource* SkinResourceSource() { return g_source; }

void SetResourceInstance(HINSTANCE instance) { g_instance = instance; }

HINSTANCE ResourceInstance() {
    return g_instance != nullptr ? g_instance : GetModuleHandleW(nullptr);
}

}  // namespace SkinUI
