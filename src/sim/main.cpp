#include <CLI/CLI.hpp>
#include <iostream>
#include <map>

#include "sim/sim_options.h"
#include "sim/sim_run.h"

int main(int argc, char** argv) {
  using ductora::sim::FaultLevel;
  ductora::sim::SimOptions options;
  CLI::App app{
      "ductora-sim: plays the inspection unit. Makes a string of pipe files (JOB-NNN.kqvw, JOB.kqstr),\n"
      "an indication file per pipe (JOB-NNN.ind) and the ground truth (JOB-NNN.truth.json).\n"
      "Lengths in inches, wall in inches. The same seed gives the same files."};
  app.add_option("--out", options.out, "Folder for the files (created when missing)")->capture_default_str();
  app.add_option("--pipes", options.pipes, "Number of pipes in the string")->capture_default_str();
  app.add_option("--seed", options.seed, "Seed of every random choice")->capture_default_str();
  app.add_option("--job", options.job, "Job name: file names and list file")->capture_default_str();
  app.add_option("--od", options.od, "Nominal outside diameter, inches")->capture_default_str();
  app.add_option("--wall", options.wall, "Nominal wall thickness, inches")->capture_default_str();
  app.add_option("--length", options.length, "Pipe length, inches (480 = 40 feet)")->capture_default_str();
  app.add_option("--length-spread", options.lengthSpread, "Pipe lengths vary by up to this many percent")
      ->capture_default_str();
  app.add_option("--pitch", options.pitch, "Helical advance per turn, inches")->capture_default_str();
  app.add_option("--samples-per-rev", options.samplesPerRev, "Samples per turn at nominal speed")
      ->capture_default_str();
  app.add_option("--defects", options.defects, "Pits, gouges and corrosion patches per pipe")
      ->capture_default_str();
  const std::map<std::string, FaultLevel> levels{
      {"none", FaultLevel::kNone}, {"typical", FaultLevel::kTypical}, {"harsh", FaultLevel::kHarsh}};
  std::string faults = "typical";
  app.add_option("--faults", faults,
                 "none, typical (a working unit: rare missed and false 12 o'clock marks,\n"
                 "drop-outs and jumps, 1.5 mils of noise) or harsh (ten times worse)")
      ->check(CLI::IsMember({"none", "typical", "harsh"}))
      ->capture_default_str();
  app.add_flag("--rdaq", options.rdaq,
               "Write indication files into the RDAQ folder beside the output folder");
  app.add_flag("--field-faults", options.fieldFaults,
               "At the --faults level, also what a unit in the field does: no echo over defects\n"
               "(more often the deeper and steeper the loss), spikes of 1 to 8 samples and runs\n"
               "of a stuck reading. Logged in the truth file with the wall cells left without reading");
  bool noRaw = false;
  bool noOd = false;
  app.add_flag("--no-raw", noRaw, "Leave the raw channel samples out of the pipe files");
  app.add_flag("--no-od", noOd, "A unit without OD sensors: no OD channels and no OD matrix");

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    app.exit(e);
    return 2;
  }
  options.faults = levels.at(faults);
  options.raw = !noRaw;
  options.odChannels = !noOd;
  if (const std::string problem = ductora::sim::validateOptions(options); !problem.empty()) {
    std::cerr << "ductora-sim: " << problem << '\n';
    return 2;
  }
  return ductora::sim::runSimulation(options, std::cout, std::cerr) ? 0 : 1;
}
