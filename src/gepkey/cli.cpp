#include "gepkey/cli.h"

#include <CLI/CLI.hpp>
#include <cstdio>

#include "gepkey/export.h"
#include "gepkey/predict.h"
#include "gepkey/show.h"

namespace gepfit {
namespace {

// A function set holds 1 to 10 symbols, as in gepfit.
std::string check_function_set(const std::string& symbols) {
  if (symbols.empty() || symbols.size() > 10) {
    return "a function set holds 1 to 10 symbols";
  }
  return "";
}

void add_key_options(CLI::App& command, key_source& key) {
  command.add_option("KEYFILE", key.path, "Key file written by gepfit")
      ->required();
  command
      .add_option("-o,--functions1", key.functions1,
                  "One-operand function symbols of the run")
      ->capture_default_str()
      ->check(check_function_set);
  command
      .add_option("-O,--functions2", key.functions2,
                  "Two-operand function symbols of the run")
      ->capture_default_str()
      ->check(check_function_set);
}

void add_name_options(CLI::App& command, name_source& names) {
  CLI::Option* list =
      command.add_option("--names", names.names,
                         "Names of the inputs, comma-separated: x1,x2,...");
  command
      .add_option("--header", names.header_path,
                  "Name the inputs as in the header line of DATAFILE")
      ->option_text("DATAFILE")
      ->excludes(list);
}

CLI::App* add_show(CLI::App& app, show_options& options) {
  CLI::App* show = app.add_subcommand(
      "show", "Print the appended variables and the final model");
  add_key_options(*show, options.key);
  add_name_options(*show, options.names);
  return show;
}

CLI::App* add_predict(CLI::App& app, predict_options& options) {
  CLI::App* predict = app.add_subcommand(
      "predict", "Apply the model to every row of a data file");
  add_key_options(*predict, options.key);
  predict
      ->add_option("DATAFILE", options.data_path,
                   "Data file read as gepfit reads it: target, then inputs")
      ->required();
  CLI::Option* all = predict->add_flag(
      "--all", options.all,
      "Print the target, the inputs and every appended variable as CSV");
  CLI::Option* score = predict->add_flag(
      "--score", options.score,
      "Print R-square, RMSE and MAE of the predictions against the target");
  predict
      ->add_flag("--no-target", options.no_target,
                 "Every column of DATAFILE is an input")
      ->excludes(score);
  score->excludes(all);
  return predict;
}

CLI::App* add_export(CLI::App& app, export_options& options) {
  CLI::App* command = app.add_subcommand(
      "export", "Write the final model as code or as a formula");
  add_key_options(*command, options.key);
  command->add_option("--lang", options.language, "Language of the export")
      ->required()
      ->check(CLI::IsMember(export_languages()));
  add_name_options(*command, options.names);
  return command;
}

}  // namespace

int run_gepkey(int argc, char** argv) {
  CLI::App app{
      "Reads a key file written by gepfit: shows its model, predicts with it "
      "on new data and exports it as code.",
      "gepkey"};
  app.set_version_flag("--version", std::string("gepkey ") + GEPKEY_VERSION);
  app.require_subcommand(1);
  show_options show;
  predict_options predict;
  export_options exported;
  CLI::App* show_command = add_show(app, show);
  CLI::App* predict_command = add_predict(app, predict);
  add_export(app, exported);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    return app.exit(error);
  }
  if (show_command->parsed()) return run_show(show, stdout, stderr);
  if (predict_command->parsed()) return run_predict(predict, stdout, stderr);
  return run_export(exported, stdout, stderr);
}

}  // namespace gepfit
