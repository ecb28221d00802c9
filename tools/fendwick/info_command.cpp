// `fendwick info`: a plug-in's identity, parameters and programs, as text or JSON.
#include "command_line.h"
#include "commands.h"
#include "json_writer.h"
#include "number_text.h"
#include "plugin_description.h"
#include "text_table.h"
#include "usage_error.h"
#include "loaded_plugin.h"

#include <cstdio>
#include <iostream>

namespace fendwick {
namespace {

// Queries run at a usual rate and block size, as a host sets them before it asks.
constexpr float kInfoSampleRateHz = 44100.0f;
constexpr int32_t kInfoBlockSize = 512;

std::string hexText(int32_t number)
{
    char buffer[16];
    std::snprintf(buffer, sizeof(buffer), "0x%08x", static_cast<unsigned>(number));
    return buffer;
}

std::string joined(const std::vector<std::string>& words)
{
    std::string text;
    for (const std::string& word : words) {
        text += (text.empty() ? "" : " ") + word;
    }
    return text;
}

std::string asText(const PluginDescription& d)
{
    std::string out = d.name + "\n";
    TextTable identity({"", ""}, {});
    identity.addRow({"path", d.path});
    identity.addRow({"vendor", d.vendor});
    identity.addRow({"product", d.product});
    identity.addRow({"unique ID", uniqueIdText(d.uniqueId) + " (" + hexText(d.uniqueId) + ")"});
    identity.addRow({"version", std::to_string(d.version) + " (vendor version " + std::to_string(d.vendorVersion) + ")"});
    identity.addRow({"inputs", std::to_string(d.inputs)});
    identity.addRow({"outputs", std::to_string(d.outputs)});
    identity.addRow({"latency", std::to_string(d.initialDelay) + " frames"});
    identity.addRow({"flags", hexText(d.flags) + " " + joined(flagNames(d.flags))});
    identity.addRow({"parameters", std::to_string(d.parameters.size())});
    identity.addRow({"programs", std::to_string(d.programs.size()) + " (current " + std::to_string(d.currentProgram) + ")"});
    // Skip the empty header line of the two-column layout.
    const std::string identityText = identity.text("  ");
    out += identityText.substr(identityText.find('\n') + 1);

    if (!d.parameters.empty()) {
        TextTable parameters({"index", "name", "label", "value", "display"},
                             {TextTable::Align::right, TextTable::Align::left, TextTable::Align::left,
                              TextTable::Align::right, TextTable::Align::left});
        for (const ParameterDescription& p : d.parameters) {
            parameters.addRow({std::to_string(p.index), p.name, p.label, formatFixed(static_cast<double>(p.value), 6),
                               p.display});
        }
        out += "\nparameters\n" + parameters.text("  ");
    }
    if (!d.programs.empty()) {
        TextTable programs({"index", "name"}, {TextTable::Align::right, TextTable::Align::left});
        for (size_t i = 0; i < d.programs.size(); ++i) {
            programs.addRow({std::to_string(i), d.programs[i]});
        }
        out += "\nprograms\n" + programs.text("  ");
    }
    return out;
}

std::string asJson(const PluginDescription& d)
{
    JsonWriter json;
    json.beginObject();
    json.key("path").value(d.path);
    json.key("name").value(d.name);
    json.key("vendor").value(d.vendor);
    json.key("product").value(d.product);
    json.key("uniqueId").value(uniqueIdText(d.uniqueId));
    json.key("uniqueIdNumber").value(d.uniqueId);
    json.key("version").value(d.version);
    json.key("vendorVersion").value(d.vendorVersion);
    json.key("inputs").value(d.inputs);
    json.key("outputs").value(d.outputs);
    json.key("latency").value(d.initialDelay);
    json.key("flags").value(d.flags);
    json.key("flagNames").beginArray();
    for (const std::string& name : flagNames(d.flags)) {
        json.value(name);
    }
    json.endArray();
    json.key("currentProgram").value(d.currentProgram);
    json.key("parameters").beginArray();
    for (const ParameterDescription& p : d.parameters) {
        json.beginObject();
        json.key("index").value(p.index);
        json.key("name").value(p.name);
        json.key("label").value(p.label);
        json.key("value").value(p.value);
        json.key("display").value(p.display);
        json.endObject();
    }
    json.endArray();
    json.key("programs").beginArray();
    for (const std::string& name : d.programs) {
        json.value(name);
    }
    json.endArray();
    json.endObject();
    return json.text();
}

}  // namespace

int runInfo(const std::vector<std::string>& arguments)
{
    const CommandLine line(arguments, {{"json", false}, {"plugin-dir", true}});
    if (line.operands().size() != 1) {
        throw UsageError("info needs exactly one PLUGIN");
    }
    LoadedPlugin loaded(line.operands()[0], line.value("plugin-dir").value_or(""));
    HostedPlugin& plugin = loaded.plugin();
    plugin.open();
    plugin.setSampleRate(kInfoSampleRateHz);
    plugin.setBlockSize(kInfoBlockSize);
    const PluginDescription description = describePlugin(plugin, loaded.library().path());
    std::cout << (line.has("json") ? asJson(description) : asText(description));
    return 0;
}

}  // namespace fendwick
