#include "ui/framework/markup_builder.h"

#include <functional>
#include <map>

#include <pugixml.hpp>

#include "ui/framework/attribute_parsing.h"
#include "ui/framework/button.h"
#include "ui/framework/edit.h"
#include "ui/framework/horizontal_layout.h"
#include "ui/framework/label.h"
#include "ui/framework/option.h"
#include "ui/framework/paint_manager.h"
#include "ui/framework/progress.h"
#include "ui/framework/resource_source.h"
#include "ui/framework/tab_layout.h"
#include "ui/framework/vertical_layout.h"

namespace {

constexpr size_t kMaxErrorLength = 99;
constexpr wchar_t kDefaultFontFace[] = L"微软雅黑";
constexpr int kDefaultFontSize = 12;

template <typename T>
std::unique_ptr<CControl> Make() {
    return std::make_unique<T>();
}

std::unique_ptr<CControl> CreateBuiltIn(const std::wstring& element) {
    static const std::map<std::wstring, std::function<std::unique_ptr<CControl>()>> kBuiltIn = {
        {L"Control", Make<CControl>},
        {L"VerticalLayout", Make<CVerticalLayout>},
        {L"HorizontalLayout", Make<CHorizontalLayout>},
        {L"TabLayout", Make<CTabLayout>},
        {L"Label", Make<CLabel>},
        {L"Button", Make<CButton>},
        {L"CheckBox", Make<CCheckBox>},
        {L"Edit", Make<CEdit>},
        {L"Progress", Make<CProgress>},
    };
    const auto found = kBuiltIn.find(element);
    return found != kBuiltIn.end() ? found->second() : nullptr;
}

void ApplyWindowAttributes(const pugi::xml_node& window, CPaintManager& manager) {
    using namespace SkinUI;
    for (const pugi::xml_attribute& attribute : window.attributes()) {
        const std::wstring name = attribute.name();
        const std::wstring value = attribute.value();
        if (name == L"size") {
            if (const auto size = ParseSize(value)) manager.SetInitSize(*size);
        } else if (name == L"caption") {
            if (const auto caption = ParseRect(value)) manager.SetCaptionRect(*caption);
        } else if (name == L"roundcorner") {
            if (const auto corner = ParseSize(value)) manager.SetRoundCorner(*corner);
        } else {
            manager.SetWindowAttribute(name, value);
        }
    }
}

void AddFont(const pugi::xml_node& font, CPaintManager& manager) {
    using namespace SkinUI;
    const std::wstring face = font.attribute(L"name").as_string(kDefaultFontFace);
    manager.Fonts().Add(ParseInt(font.attribute(L"id").value()).value_or(0), face,
                        ParseInt(font.attribute(L"size").value()).value_or(kDefaultFontSize),
                        ParseBool(font.attribute(L"underline").value()),
                        ParseBool(font.attribute(L"default").value()));
}

class TreeBuilder {
public:
    explicit TreeBuilder(IControlFactory* factory) : factory_(factory) {}

    std::unique_ptr<CControl> Build(const pugi::xml_node& node) {
        const std::wstring element = node.name();
        std::unique_ptr<CControl> control = CreateBuiltIn(element);
        if (!control && factory_ != nullptr) control = factory_->CreateControl(element);
        if (!control) return Fail(L"Unknown element " + element);

        for (const pugi::xml_attribute& attribute : node.attributes()) {
            control->SetAttribute(attribute.name(), attribute.value());
        }
        auto* container = dynamic_cast<CContainer*>(control.get());
        for (const pugi::xml_node& child : node.children()) {
            if (child.type() != pugi::node_element) continue;
            if (container == nullptr) return Fail(L"Element " + element + L" cannot hold controls");
            std::unique_ptr<CControl> built = Build(child);
            if (!built) return nullptr;
            container->Add(std::move(built));
        }
        return control;
    }

    const std::wstring& Error() const { return error_; }

private:
    std::unique_ptr<CControl> Fail(const std::wstring& error) {
        error_ = error;
        return nullptr;
    }

    IControlFactory* factory_;
    std::wstring error_;
};

}  // namespace

std::unique_ptr<CControl> CMarkupBuilder::Fail(const std::wstring& error) {
    lastError_ = error.substr(0, kMaxErrorLength);
    return nullptr;
}

std::unique_ptr<CControl> CMarkupBuilder::Create(const std::wstring& skinFile,
                                                 CPaintManager& manager, IControlFactory* factory) {
    SkinUI::ISkinResourceSource* source = SkinUI::SkinResourceSource();
    if (source == nullptr) return Fail(L"No skin resource source");
    const SkinUI::LayoutBytes layout = source->LoadLayout(skinFile);
    if (!layout.error.empty()) return Fail(layout.error);
    return Create(layout.data.data(), layout.data.size(), manager, factory);
}

std::unique_ptr<CControl> CMarkupBuilder::Create(const void* markup, size_t size,
                                                 CPaintManager& manager, IControlFactory* factory) {
    lastError_.clear();
    pugi::xml_document document;
    const pugi::xml_parse_result parsed =
        document.load_buffer(markup, size, pugi::parse_default, pugi::encoding_auto);
    if (!parsed) {
        return Fail(L"XML parse error at offset " + std::to_wstring(parsed.offset));
    }
    const pugi::xml_node window = document.document_element();
    if (std::wstring(window.name()) != L"Window") return Fail(L"The root element is not Window");

    ApplyWindowAttributes(window, manager);
    TreeBuilder builder(factory);
    std::unique_ptr<CControl> root;
    for (const pugi::xml_node& child : window.children()) {
        if (child.type() != pugi::node_element) continue;
        if (std::wstring(child.name()) == L"Font") {
            AddFont(child, manager);
            continue;
        }
        if (root) return Fail(L"More than one root control");
        root = builder.Build(child);
        if (!root) return Fail(builder.Error());
    }
    if (!root) return Fail(L"No control in the layout");
    return root;
}
