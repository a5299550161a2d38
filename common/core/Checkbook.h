#pragma once

#include <QString>

#include <cstdint>

// The information of one checking account, as its file keeps it and the setup screen
// shows it: the payroll account (PayrollCheckbookInfo.txt), kept by this program alone,
// or the general account (CheckbookInfo.txt), shared with the Ambleton checkbook program.
struct CheckbookInfo {
    QString Bank;
    QString Account;
    QString Balance;   // currency text
    QString NextCheck; // the next check number as the account shows it
    QString Deposit;   // currency text: the payroll account's opening deposit
    // -1 on, 0 off, as stored. The general account's flag is Ambleton's and is written
    // back unchanged.
    std::int64_t Overdraft = 0;
    // The general account only: 1 a personal account; -1 business deposit slips.
    std::int64_t AccountType = 0;
    std::int64_t DepositSlips = 0;
};

// A checkbook file as read, and whether it ended before all its items.
struct CheckbookRead {
    CheckbookInfo Info;
    bool Short = false;
    // The file names an account: anything but a blank name and number, zero balances
    // and next check "101" (or none).
    bool HoldsAccount = false;
};

// The accounts without their files: no name or number, zero balances, next check "101".
CheckbookInfo NewCheckbook();
// Each throws FileError when the file system fails; a missing file reads as a new
// checkbook. A save replaces the file in one step, so a failed save keeps the old file.
CheckbookRead ReadCheckbookInfo();
CheckbookRead ReadPayrollCheckbookInfo();
// The account's file read afresh for a change of its balance: the payroll account, or
// else the general account. Throws FileError, naming the file, when it is missing or
// does not hold all its items, so that a file not read whole is never written back.
CheckbookInfo ReadWholeAccount(bool payrollAccount);
// Keeps whatever Ambleton stores after the eight items this program knows, byte for
// byte, as the file holds it at the moment of saving.
void WriteCheckbookInfo(const CheckbookInfo& info);
void WritePayrollCheckbookInfo(const CheckbookInfo& info);

// The program's two accounts as loaded last and edited since.
CheckbookInfo& GeneralAccount();
CheckbookInfo& PayrollAccount();
