void payroll_shell_placeholder() {}
