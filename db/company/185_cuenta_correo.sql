/* Each user's own mailbox: printed vouchers are e-mailed to suppliers
   through it. The password is installation data; no window shows it. */

ALTER TABLE USUARIO ADD USER_EMAIL      VARCHAR(100);
ALTER TABLE USUARIO ADD USER_MAILSERVER VARCHAR(100);
ALTER TABLE USUARIO ADD USER_MAILUSER   VARCHAR(100);
ALTER TABLE USUARIO ADD USER_MAILPASS   VARCHAR(100);
