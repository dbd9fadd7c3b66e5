#pragma once
// Reading the script mode's `dump` lines in tests: nlohmann::json does the
// parsing; this keeps the tests' short way of asking for a value
// (d["controls"]["Notice"]["visible"].boolean()). A Json is a view into one
// parsed document, which it keeps alive; copies are cheap.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

namespace vx::test {

class Json {
public:
    static Json parse(std::string_view text) {
        auto root = std::make_shared<const nlohmann::json>(nlohmann::json::parse(text));
        const nlohmann::json* node = root.get();
        return Json(std::move(root), node);
    }

    bool boolean() const { return node_->get<bool>(); }
    double number() const { return node_->get<double>(); }
    int integer() const { return static_cast<int>(number()); }
    const std::string& string() const { return node_->get_ref<const std::string&>(); }
    std::vector<Json> array() const {
        std::vector<Json> items;
        for (const nlohmann::json& item : *node_) items.push_back(Json(root_, &item));
        return items;
    }
    Json operator[](const std::string& key) const { return Json(root_, &node_->at(key)); }
    Json operator[](std::size_t i) const { return Json(root_, &node_->at(i)); }
    std::size_t size() const { return node_->size(); }
    // The value as one line of JSON.
    std::string text() const { return node_->dump(); }
    friend bool operator==(const Json& a, const Json& b) { return *a.node_ == *b.node_; }

private:
    Json(std::shared_ptr<const nlohmann::json> root, const nlohmann::json* node)
        : root_(std::move(root)), node_(node) {}

    std::shared_ptr<const nlohmann::json> root_;
    const nlohmann::json* node_;
};

}  // namespace vx::test
