// Replaced by the headless host.
namespace orvane {}
