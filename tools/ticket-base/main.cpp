// ticket-base: makes and checks the card files of the ticket bases.
#include <iostream>

#include "common/ticket_base_command.h"

int main(int argc, char** argv) {
  return bingo::tools::runTicketBase(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
